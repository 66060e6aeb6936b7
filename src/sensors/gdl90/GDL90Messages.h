#pragma once
// Every GDL90 message class, for code that handles all of them.
#include "sensors/gdl90/GDL90Message.h"
#include "sensors/gdl90/GDL90StandardMessages.h"
#include "sensors/gdl90/GDL90TalosMessages.h"
#include "sensors/gdl90/GDL90VendorMessages.h"

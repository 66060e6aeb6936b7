#pragma once
// Every GDL90 message class, for code that handles all of them.
#include "sensors/GDL90Message.h"
#include "sensors/GDL90StandardMessages.h"
#include "sensors/GDL90TalosMessages.h"
#include "sensors/GDL90VendorMessages.h"

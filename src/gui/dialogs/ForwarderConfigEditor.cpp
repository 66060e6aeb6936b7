#include "gui/dialogs/ForwarderConfigEditor.h"

#include <algorithm>

#include "base/StringConversions.h"
#include "sensors/ISensorForwarder.h"

namespace {
const char* const kCountKey = "ForwarderCount";
const char* const kKindKey = "ForwarderFactory";
}  // namespace

ForwarderConfigEditor::ForwarderConfigEditor(IniFile& iniFile,
                                             const std::vector<ISensorForwarderFactory*>& forwarderFactories)
    : ini(iniFile), factories(forwarderFactories) {}

int ForwarderConfigEditor::getForwarderCount() const {
    return std::max(0, convertStringTo<int>(ini.get("", kCountKey)));
}

std::string ForwarderConfigEditor::getSection(int index) { return "F" + std::to_string(index); }

ISensorForwarderFactory* ForwarderConfigEditor::getFactory(int index) const {
    if (index < 0 || index >= getForwarderCount()) return nullptr;
    const std::string& kind = ini.get(getSection(index), kKindKey);
    const int i = convertStringTo<int>(kind);
    return !kind.empty() && i >= 0 && i < int(factories.size()) ? factories[i] : nullptr;
}

std::string ForwarderConfigEditor::describe(int index) const {
    ISensorForwarderFactory* factory = getFactory(index);
    std::string text = std::to_string(index + 1) + ": " + (factory ? factory->getName() : "Unknown forwarder kind");
    const std::string& file = ini.get(getSection(index), "fileName");
    return file.empty() ? text : text + " (" + file + ")";
}

int ForwarderConfigEditor::addForwarder(int factoryIndex) {
    if (factoryIndex < 0 || factoryIndex >= int(factories.size())) return -1;
    const int index = getForwarderCount();
    // A section left behind by a hand edit must not lend its keys.
    ini.removeSection(getSection(index));
    ini.set(getSection(index), kKindKey, std::to_string(factoryIndex));
    ini.set("", kCountKey, std::to_string(index + 1));
    return index;
}

void ForwarderConfigEditor::removeForwarder(int index) {
    const int count = getForwarderCount();
    if (index < 0 || index >= count) return;
    for (int i = index; i + 1 < count; ++i) ini.moveSection(getSection(i + 1), getSection(i));
    if (index == count - 1) ini.removeSection(getSection(index));
    ini.set("", kCountKey, std::to_string(count - 1));
}

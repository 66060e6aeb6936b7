#include "net/json/RPCValue.h"

IRPCValue* ArrayValue::createNewCopy() const {
    auto* copy = new ArrayValue();
    for (const auto& v : values) copy->add(v->createNewCopy());
    return copy;
}

IRPCValue* ObjectValue::createNewCopy() const {
    auto* copy = new ObjectValue();
    for (const auto& kv : members) copy->set(kv.first, kv.second->createNewCopy());
    return copy;
}

IRPCValue* ObjectValue::get(const std::string& key) const {
    auto it = members.find(key);
    return it == members.end() ? nullptr : it->second.get();
}

#pragma once
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

// A JSON value as the remote-procedure clients pass it: parameters, results
// and incoming calls. Containers own their elements; deleting a value
// deletes its subtree.
class IRPCValue {
public:
    enum Type {
        NULL_VALUE = 0,
        BOOL_VALUE = 1,
        DOUBLE_VALUE = 2,
        INTEGER_VALUE = 3,
        STRING_VALUE = 4,
        ARRAY_VALUE = 5,
        OBJECT_VALUE = 6
    };

    virtual Type getType() const = 0;
    // A deep copy; the caller owns it.
    virtual IRPCValue* createNewCopy() const = 0;
    virtual ~IRPCValue() = default;
};

class NULLValue : public IRPCValue {
public:
    Type getType() const override { return NULL_VALUE; }
    IRPCValue* createNewCopy() const override { return new NULLValue(); }
};

template <class T, IRPCValue::Type kType>
class ScalarValue : public IRPCValue {
public:
    explicit ScalarValue(T v = T()) : value(std::move(v)) {}
    Type getType() const override { return kType; }
    IRPCValue* createNewCopy() const override { return new ScalarValue(value); }

    T value;
};

using BoolValue = ScalarValue<bool, IRPCValue::BOOL_VALUE>;
using DoubleValue = ScalarValue<double, IRPCValue::DOUBLE_VALUE>;
using IntegerValue = ScalarValue<int64_t, IRPCValue::INTEGER_VALUE>;
using StringValue = ScalarValue<std::string, IRPCValue::STRING_VALUE>;

class ArrayValue : public IRPCValue {
public:
    Type getType() const override { return ARRAY_VALUE; }
    IRPCValue* createNewCopy() const override;

    // Takes ownership.
    void add(IRPCValue* value) { values.emplace_back(value); }
    size_t size() const { return values.size(); }
    IRPCValue* get(size_t index) const { return index < values.size() ? values[index].get() : nullptr; }

    std::vector<std::unique_ptr<IRPCValue>> values;
};

class ObjectValue : public IRPCValue {
public:
    Type getType() const override { return OBJECT_VALUE; }
    IRPCValue* createNewCopy() const override;

    // Takes ownership; replaces an earlier member of that name.
    void set(const std::string& key, IRPCValue* value) { members[key].reset(value); }
    // Null when there is no such member.
    IRPCValue* get(const std::string& key) const;
    // Null unless the member exists and is of that kind.
    template <class V>
    V* getAs(const std::string& key) const {
        IRPCValue* v = get(key);
        return v && v->getType() == V().getType() ? static_cast<V*>(v) : nullptr;
    }

    std::map<std::string, std::unique_ptr<IRPCValue>> members;
};

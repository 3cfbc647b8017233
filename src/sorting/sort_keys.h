#pragma once

#include <cstdint>
#include <deque>

#include "runtime/value.h"

namespace sentinel {

// Numeric key: the leading-number value of the entry's text form.
double NumericKey(const Value& entry);

// Field key: the leading-number value of field `fieldIndex` of the entry's
// text form; a missing field raises the position-out-of-range error.
double FieldKey(const Value& entry, std::int16_t fieldIndex);

// Text key: the entry's text form, compared by UTF-16 code unit. A text entry
// is viewed in place; the texts of number entries are kept here for as long
// as the keys are in use.
class TextKeys {
public:
    TextView operator()(const Value& entry);

private:
    std::deque<Text> numberTexts_;  // a deque keeps its texts where they are as it grows
};

}  // namespace sentinel

#pragma once
#include <string>

// Small helpers the cirrona-diag commands share for reading their arguments
// and writing JSON.

// A whole argument as a finite number; false for empty text, trailing
// characters, infinities and NaN.
bool parseNumber(const std::string& text, double& value);

// A JSON string literal for a byte string. Valid UTF-8 passes through as it
// is; every byte that is not part of a valid UTF-8 sequence is written as
// \u00XX with XX the byte's value, so the output is always valid JSON and the
// exact bytes can be recovered (a real U+0080..U+00FF character is never
// escaped, it appears as its UTF-8 bytes).
std::string jsonString(const std::string& bytes);

// The scanner that decides which characters at the start of a text form a floating-point number.
#pragma once

enum FloatTextKind {
    kFloatTextNone,     // no number: the all-zero result
    kFloatTextDecimal,  // digits with an optional point and "e" exponent
    kFloatTextHex,      // "0x", hexadecimal digits with an optional point and "p" exponent
    kFloatTextInfinity, // "inf" or "infinity" in any case
    kFloatTextNan,      // "nan" in any case, with an optional "(...)"
};

struct FloatScan {
    FloatTextKind kind;
    bool negative;
    const char *mantissa;    // decimal and hex: the first digit or point (after any "0x")
    const char *mantissaEnd; // one past the last digit or point of the mantissa
    const char *exponent;    // the exponent's sign or first digit; null without an exponent
    const char *end;         // one past the number's last character; the text's start for none
};

// Reads at the start of 'text': white space, one optional sign, then the number. The scan looks
// one character past what it has accepted and never steps further back, so a number that breaks
// off before it is complete ('1e', '0x', 'infin', 'nan(') is no number at all.
FloatScan ScanFloatText(const char *text);

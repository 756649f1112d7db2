#pragma once

#include <QByteArrayView>

// One lexical unit of RTF. Views point into the tokenizer's input, which outlives the token.
struct RtfToken {
    enum class Type { End, GroupStart, GroupEnd, ControlWord, ControlSymbol, HexByte, Text, Binary };

    explicit RtfToken(Type tokenType = Type::End)
        : type(tokenType)
    { }

    Type type;
    QByteArrayView word; // ControlWord: the letters; Text and Binary: the bytes
    int parameter = 0; // clamped to the int range, so "\fs99999999999" cannot overflow
    bool hasParameter = false;
    char symbol = 0; // ControlSymbol: the character after the backslash; HexByte: the byte
};

#include "documents/rtf/RtfTokenizer.h"

#include <limits>

namespace {

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

int hexValue(char c)
{
    if (isDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace

RtfToken RtfTokenizer::next()
{
    while (m_position < m_input.size()) {
        const char c = m_input[m_position];
        m_tokenStart = m_position;
        switch (c) {
        case '{':
            ++m_position;
            return RtfToken(RtfToken::Type::GroupStart);
        case '}':
            ++m_position;
            return RtfToken(RtfToken::Type::GroupEnd);
        case '\\':
            return readControl();
        case '\r':
        case '\n':
            ++m_position; // line breaks in the file carry no meaning
            continue;
        default:
            return readText();
        }
    }
    return RtfToken(RtfToken::Type::End);
}

RtfToken RtfTokenizer::readText()
{
    const qsizetype start = m_position;
    while (m_position < m_input.size()) {
        const char c = m_input[m_position];
        if (c == '{' || c == '}' || c == '\\' || c == '\r' || c == '\n')
            break;
        ++m_position;
    }
    RtfToken token(RtfToken::Type::Text);
    token.word = m_input.sliced(start, m_position - start);
    return token;
}

RtfToken RtfTokenizer::readControl()
{
    ++m_position; // the backslash
    if (m_position >= m_input.size())
        return RtfToken(RtfToken::Type::End);

    const char first = m_input[m_position];
    if (!isLetter(first)) {
        ++m_position;
        if (first == '\'') {
            RtfToken token(RtfToken::Type::HexByte);
            const int high = m_position < m_input.size() ? hexValue(m_input[m_position]) : -1;
            const int low = m_position + 1 < m_input.size() ? hexValue(m_input[m_position + 1]) : -1;
            if (high < 0 || low < 0) {
                token.type = RtfToken::Type::ControlSymbol; // a broken escape stands for nothing
                token.symbol = '\'';
                return token;
            }
            m_position += 2;
            token.symbol = char(high * 16 + low);
            return token;
        }
        RtfToken token(RtfToken::Type::ControlSymbol);
        token.symbol = first;
        return token;
    }

    const qsizetype start = m_position;
    while (m_position < m_input.size() && isLetter(m_input[m_position]))
        ++m_position;
    RtfToken token(RtfToken::Type::ControlWord);
    token.word = m_input.sliced(start, m_position - start);
    readParameter(token);
    if (m_position < m_input.size() && m_input[m_position] == ' ')
        ++m_position; // the space that ends a control word belongs to it

    if (token.word == "bin")
        readBinary(token);
    return token;
}

void RtfTokenizer::readParameter(RtfToken &token)
{
    qsizetype p = m_position;
    const bool negative = p + 1 < m_input.size() && m_input[p] == '-' && isDigit(m_input[p + 1]);
    if (negative)
        ++p;
    if (p >= m_input.size() || !isDigit(m_input[p]))
        return;

    constexpr long long limit = std::numeric_limits<int>::max();
    long long value = 0;
    while (p < m_input.size() && isDigit(m_input[p])) {
        if (value <= limit)
            value = value * 10 + (m_input[p] - '0');
        ++p;
    }
    if (value > limit)
        value = limit;
    token.parameter = int(negative ? -value : value);
    token.hasParameter = true;
    m_position = p;
}

void RtfTokenizer::readBinary(RtfToken &token)
{
    const qsizetype length = qBound(qsizetype(0), qsizetype(token.parameter), m_input.size() - m_position);
    token.type = RtfToken::Type::Binary;
    token.word = m_input.sliced(m_position, length);
    m_position += length;
}

void RtfTokenizer::skipRestOfGroup()
{
    int depth = 1;
    while (m_position < m_input.size()) {
        const char c = m_input[m_position];
        if (c == '\\') {
            readControl(); // consumes "\{", "\}" and the bytes of "\bin" whole
            continue;
        }
        ++m_position;
        if (c == '{') {
            ++depth;
        } else if (c == '}' && --depth == 0) {
            return;
        }
    }
}

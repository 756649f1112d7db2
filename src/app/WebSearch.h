#pragma once

#include <QString>

// The addresses of the three web searches the program offers.
namespace WebSearch {

enum class Engine { Google, Bing, YouTube };

// The address that searches for exactly the text: the query value is percent-encoded as UTF-8, so
// "&", "#", "+", "%" and Danish letters reach the search as typed and never add parameters of their own.
QString address(Engine engine, const QString &text);

} // namespace WebSearch

#pragma once

#include "options/OptionsFileLayout.h"

#include <QByteArray>
#include <QMap>

// The options file as the options box writes it on a first run, with chosen lines changed.
namespace OptionsFile {
using namespace OptionsFileLayout;
QByteArray with(const QMap<int, QByteArray> &changedLines = {});
} // namespace OptionsFile

#pragma once

#include <QString>

// Who runs the program and where its data lives.
namespace SystemIdentity {
// The logged-on user's name; empty when the system cannot tell.
QString userName();
// SKRIVORA_ROOT when set, otherwise Skrivora3 in the user's home (C:\Skrivora3 on Windows).
QString dataRoot();
} // namespace SystemIdentity

#pragma once

class TerminationSignals;
class Tmainform;

// How the program ends when it is ended from outside: on SIGTERM or SIGINT, or when the session manager
// ends the session. Every document with changes gets its recovery copy first, since the questions the
// close then asks may never be answered before the system kills the program; then it closes in order.
namespace EndOfSession {
void watch(Tmainform &frame, TerminationSignals &termination);
} // namespace EndOfSession

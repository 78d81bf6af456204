#pragma once
// Starting and stopping this installation's private database server and
// opening the program's connection to it.
#include <QString>

namespace ds {
class Connection;
}

// Bounds of the waits of one start or stop; tests make them short.
struct ServerWaits {
    int appearMs = 30000; // for the started server process to show
    int readyMs = 30000;  // for the server to accept connections
    int stopMs = 30000;   // for a server to end after SIGTERM
};
ServerWaits &ServerSwitchWaits();

// Start: checks the installation, stops a server of this installation left
// over from an earlier run, starts a fresh one and opens `db`; true when
// the connection is open. Stop: closes `db` and stops this installation's
// server; always false.
bool SwitchDatabaseServer(ds::Connection &db, bool start);

// Calls SwitchDatabaseServer(db, true) until it succeeds, at most
// `maxAttempts` times; every attempt restarts the server.
bool StartConnectionAttempts(ds::Connection &db, int maxAttempts = 3);

// The reason shown when the system refuses to start the server program, by
// the program's error code; empty for codes that show no box.
QString StartRefusalReason(int code);

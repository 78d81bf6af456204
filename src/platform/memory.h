#pragma once

// Returns unused heap memory to the system, then lets pending window events
// run. A failure is recorded in the error context.
void TrimMemory();

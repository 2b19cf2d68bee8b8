#pragma once

// Delivers everything the program has pending (window events, posted events, timers that
// are due, deferred deletes) until a pass finds nothing left to do.
void settleEvents();

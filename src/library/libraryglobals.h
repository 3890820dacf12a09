#pragma once

#include <atomic>

// True while a probe run is in progress; written by the probing thread and
// read by the GUI thread, hence atomic.
extern std::atomic<bool> isAddingFiles;

// Sequence number of announced library changes, carried by the refresh
// datagram; reset to 0 by the announcer once it passes 65535.
extern std::atomic<int> udpRefreshCounter;

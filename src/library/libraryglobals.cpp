#include "libraryglobals.h"

std::atomic<bool> isAddingFiles{false};
std::atomic<int> udpRefreshCounter{0};

#pragma once

// Puts the shipped Corvane.ini into the data folder when it has none, so
// both programs start from the same settings. Returns false (logged; the
// defaults then apply) when the data folder cannot be made or the copy fails.
bool provisionSettings();

#pragma once

// GUPnP, gupnp-av and libsoup for the media server. GLib names a struct
// member "signals", which Qt defines as a keyword: hidden while they are read.
#pragma push_macro("signals")
#undef signals
#include <libgupnp-av/gupnp-av.h>
#include <libgupnp/gupnp.h>
#include <libsoup/soup.h>
#pragma pop_macro("signals")

#pragma once

// The link reaching up into the session: what the layer check must refuse.
#include "session/session.h"

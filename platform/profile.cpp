// Placeholder: replaced by the profile layer's implementation.
#include "platform/profile.h"

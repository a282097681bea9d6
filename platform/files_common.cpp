// Placeholder: replaced by the profile layer's implementation.

// The module's own translation unit; everything else comes from the
// operator's static library, linked whole so that the entry point is kept.

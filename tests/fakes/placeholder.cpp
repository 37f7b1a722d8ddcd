// Keeps the fakes library non-empty before any fake exists.

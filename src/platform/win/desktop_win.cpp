// The Win32 backend.

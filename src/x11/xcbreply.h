#pragma once

// Owns one reply (or error) of xcb, which must be released with free().

#include <cstdlib>

template <class T> struct XcbReply
{
    T *p = nullptr;
    explicit XcbReply(T *reply) : p(reply) {}
    ~XcbReply() { std::free(p); }
    XcbReply(const XcbReply &) = delete;
    XcbReply &operator=(const XcbReply &) = delete;
    T *operator->() const { return p; }
    explicit operator bool() const { return p != nullptr; }
};

// The command line that opens an address with the program registered for web
// pages, built from that program's registered command. Pure text work.
#pragma once

#include "system/text.h"

#include <cstddef>

// Room for the command line WinExec gets, its NUL included.
constexpr std::size_t kLinkCommandCapacity = 1024;

// The registered command cut before its first "%1" in quotes, or else before
// its first bare %1, then one space and the address. False, and out left
// empty, when the result would not fit in capacity bytes with its NUL: a
// shortened command line would run something else.
bool BuildLinkCommand(const char* registered, const char* address, char* out, std::size_t capacity);

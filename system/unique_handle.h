// One move-only owner for every kind of Windows handle the program holds.
// A kind is described by a small traits struct: its handle type, the value
// that means "nothing held", and the function that releases it.
#pragma once

#include <windows.h>

#include <utility>

template <typename Traits>
class UniqueHandle {
public:
    using Type = typename Traits::Type;

    UniqueHandle() noexcept = default;
    explicit UniqueHandle(Type value) noexcept : value_(value) {}
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& other) noexcept : value_(other.release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) reset(other.release());
        return *this;
    }
    ~UniqueHandle() { reset(); }

    Type get() const noexcept { return value_; }
    bool valid() const noexcept { return value_ != Traits::invalid(); }
    explicit operator bool() const noexcept { return valid(); }

    // For out-parameters of the Create/Open calls: releases what is held
    // and hands out the slot.
    Type* put() noexcept {
        reset();
        return &value_;
    }

    Type release() noexcept { return std::exchange(value_, Traits::invalid()); }

    void reset(Type value = Traits::invalid()) noexcept {
        Type old = std::exchange(value_, value);
        if (old != Traits::invalid()) Traits::close(old);
    }

private:
    Type value_ = Traits::invalid();
};

struct RegistryKeyTraits {
    using Type = HKEY;
    static Type invalid() noexcept { return nullptr; }
    static void close(Type key) noexcept { RegCloseKey(key); }
};

// CreateFileA reports failure as INVALID_HANDLE_VALUE ...
struct FileHandleTraits {
    using Type = HANDLE;
    static Type invalid() noexcept { return INVALID_HANDLE_VALUE; }
    static void close(Type handle) noexcept { CloseHandle(handle); }
};

// ... while process and thread handles use null.
struct KernelHandleTraits {
    using Type = HANDLE;
    static Type invalid() noexcept { return nullptr; }
    static void close(Type handle) noexcept { CloseHandle(handle); }
};

using UniqueKey = UniqueHandle<RegistryKeyTraits>;
using UniqueFile = UniqueHandle<FileHandleTraits>;
using UniqueKernelHandle = UniqueHandle<KernelHandleTraits>;

struct IconTraits {
    using Type = HICON;
    static Type invalid() noexcept { return nullptr; }
    static void close(Type icon) noexcept { DestroyIcon(icon); }
};

using UniqueIcon = UniqueHandle<IconTraits>;

struct FindHandleTraits {
    using Type = HANDLE;
    static Type invalid() noexcept { return INVALID_HANDLE_VALUE; }
    static void close(Type handle) noexcept { FindClose(handle); }
};

using UniqueFind = UniqueHandle<FindHandleTraits>;

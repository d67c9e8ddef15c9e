#pragma once

// Reads a fuzz input front to back. Past the end every read yields 0, so any
// byte string is a valid input and a short one is simply a short game.

#include <cstddef>
#include <cstdint>
#include <string>

class ByteReader {
public:
    ByteReader(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}

    bool AtEnd() const { return m_pos >= m_size; }

    std::uint8_t Byte() { return AtEnd() ? 0 : m_data[m_pos++]; }

    // Little-endian, so a hand-written seed reads naturally in a hex dump.
    std::uint16_t U16() {
        const auto lo = static_cast<std::uint16_t>(Byte());
        const auto hi = static_cast<std::uint16_t>(Byte());
        return static_cast<std::uint16_t>(lo | (hi << 8));
    }

    std::int16_t I16() { return static_cast<std::int16_t>(U16()); }

    std::uint32_t U32() {
        const std::uint32_t lo = U16();
        const std::uint32_t hi = U16();
        return lo | (hi << 16);
    }

    // A value in 0 .. n-1; n must be positive.
    int Below(int n) { return Byte() % n; }

    // A length byte, then that many bytes taken as they are: names may hold
    // any bytes at all, invalid UTF-8 and NULs included.
    std::string String() {
        const std::size_t length = Byte();
        std::string s;
        for (std::size_t i = 0; i < length && !AtEnd(); ++i) {
            s.push_back(static_cast<char>(Byte()));
        }
        return s;
    }

private:
    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_pos = 0;
};

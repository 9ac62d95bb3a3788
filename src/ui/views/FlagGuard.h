#pragma once

namespace tarnell {

// Sets a flag for as long as it lives.
class FlagGuard {
public:
    explicit FlagGuard(bool& flag) : m_flag(flag), m_old(flag) { m_flag = true; }
    ~FlagGuard() { m_flag = m_old; }
    FlagGuard(const FlagGuard&) = delete;
    FlagGuard& operator=(const FlagGuard&) = delete;

private:
    bool& m_flag;
    bool m_old;
};

} // namespace tarnell

// Test helper: one of the program's replaceable steps (a std::function), replaced for a scope.
#pragma once

#include <utility>

template <class F> class Substituir {
public:
    Substituir(F& passo, F substituto)
        : m_passo(passo), m_anterior(std::exchange(passo, std::move(substituto))) {}
    ~Substituir() { m_passo = std::move(m_anterior); }
    Substituir(const Substituir&) = delete;
    Substituir& operator=(const Substituir&) = delete;

private:
    F& m_passo;
    F m_anterior;
};

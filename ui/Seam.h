#pragma once

#include <functional>
#include <utility>

namespace ui {

/// A step that tests replace — a dialog, a message box, the printer, starting a program: the standard
/// function until a replacement is put in, and the standard one again when an empty one is.
template <typename Signature> class Seam final {
public:
    using Function = std::function<Signature>;

    explicit Seam(Function standard) : m_standard(std::move(standard)), m_current(m_standard) {}

    /// Puts `replacement` in place and returns the function it replaces.
    Function replace(Function replacement)
    {
        Function previous = std::move(m_current);
        m_current = replacement ? std::move(replacement) : m_standard;
        return previous;
    }

    template <typename... Args> decltype(auto) operator()(Args&&... args) const
    {
        return m_current(std::forward<Args>(args)...);
    }

private:
    Function m_standard;
    Function m_current;
};

} // namespace ui

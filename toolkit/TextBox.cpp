#include "toolkit/TextBox.h"

#include <limits>

namespace
{

// Laying out a line takes about a millisecond per few hundred characters: a box shows no more than
// it lays out in a blink. Beyond that the box would answer only minutes later.
constexpr qsizetype MaxShown = 32767;

} // namespace

TextBox::TextBox(QWidget* parent) : QLineEdit(parent)
{
    // The toolkit's own limit would cut a longer text that the user types or pastes.
    setMaxLength(std::numeric_limits<int>::max());
}

void TextBox::SetText(QAnyStringView sText)
{
    m_text = sText.toString();
    setText(m_text.left(MaxShown));
    setCursorPosition(0);
}

QString TextBox::Text() const
{
    return isModified() ? text() : m_text;
}

#pragma once

#include <QByteArray>

// Text that is UTF-8 but for some stray bytes, as a file that says UTF-8 may be after an edit in
// another program: each byte that starts no UTF-8 sequence is read as the windows-1252 character
// it is there, so that it spoils only its own character.
namespace MixedUtf8
{

// The bytes as valid UTF-8.
QByteArray ToUtf8(const QByteArray& bytes);

} // namespace MixedUtf8

// Writing the results to a text file without ever leaving a cut-off one.
#pragma once

#include <QString>

#include <string_view>

namespace vostrel {

// Replaces the file at path with exactly these bytes. The bytes go to a
// temporary file beside it that takes the file's place only once complete, so
// after a failure the earlier file is untouched. Throws TAppError with the
// message for a file that cannot be created or a write that falls short.
void SaveAnsiText(const QString &path, std::string_view bytes);

} // namespace vostrel

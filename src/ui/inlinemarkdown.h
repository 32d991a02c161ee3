#pragma once

#include <QString>
#include <optional>

// Markdown with inline syntax only, for answers: **strong**, *emphasis* (or with "_"), `code`,
// ~~strikethrough~~, [links](address) and backslash escapes; everything else, line breaks and runs
// of spaces included, stays as written.
namespace InlineMarkdown {
// Rich text for a label, white space preserved; nothing when the text does not parse (an emphasis
// or code span that never closes, a link whose address never ends), so that it is shown plain.
std::optional<QString> toHtml(const QString &markdown);
} // namespace InlineMarkdown

#pragma once

#include <QSize>
#include <QString>
#include <QStringView>

#include <functional>
#include <optional>

// The page on show and the main window's bounds, kept from one run to the next in
// Data/FormSize.ini: five lines, page, width, height, left, top.
struct FormSizeFields
{
    int CurPage = 0;
    qint32 SavedWidth = 0;
    qint32 SavedHeight = 0;
    qint32 SavedLeft = 0;
    qint32 SavedTop = 0;

    bool operator==(const FormSizeFields &) const = default;
};

// Called once the bounds are known, to move and size the window before anything is written.
using ApplyFormBounds = std::function<void(const FormSizeFields &)>;

// Full path of the window settings file in the program folder.
QString formSizePath();

// A whole number as the settings files hold it: optional sign and decimal digits within 32 bits;
// nothing otherwise (empty text, blanks, other characters, overflow).
std::optional<qint32> parseWholeNumber(QStringView text);

// Reads the window settings into the fields and hands the bounds to apply. Without a file, the
// defaults (page 1, 600 x 450 centred on the primary screen of the given size) are set, applied and
// written. A missing line or one that is not a whole number throws TovakiError; the fields set before
// that line keep their new values, the others stay, and apply is not called. A file that cannot be
// written throws TovakiError after the defaults were set and applied.
void loadFormSize(FormSizeFields &fields, QSize primaryScreen, const ApplyFormBounds &apply = {});

// Replaces the file with the five lines of the fields; throws TovakiError when it cannot be written.
void saveFormSize(const FormSizeFields &fields);

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// Texts that cameras and phones put in the EXIF ImageDescription on their
// own ("OLYMPUS DIGITAL CAMERA", "SONY DSC", "Exif_JPEG_PICTURE", ...). They
// describe nothing, so a description read from there is skipped when it is
// one of them, or when it is made only of the words of the camera's make and
// model. Words are compared without regard to case and punctuation.
namespace CameraPlaceholders {

// The fixed texts, as cameras write them.
[[nodiscard]] const QStringList& FixedTexts();

// text is blank (empty or only spaces), a fixed text, or only words of make
// and model.
[[nodiscard]] bool IsPlaceholder(const QString& text, const QString& make, const QString& model);

}  // namespace CameraPlaceholders

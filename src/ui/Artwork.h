#pragma once

#include <QPixmap>
#include <QString>

// The program's own small pictures, painted at run time so the build needs
// no image files: section buttons, status icons, the splash and About
// pictures.
namespace Artwork {

// A square section-button picture: a coloured tile with the section digit.
QPixmap SectionPicture(int section, int size);

enum class StatusIcon { File, Modified, Unmodified, Listening, Stopped };
QPixmap StatusPicture(StatusIcon icon, int size);

// The banner of the splash window and the About box; english chooses the
// English subtitle.
QPixmap Banner(bool english, const QSize& size);

} // namespace Artwork

#pragma once

#include <QIcon>
#include <QStringList>
#include <QStyle>

// Icons drawn from our SVG files. The file is parsed the first time the icon is painted, once,
// and each size is rendered once; the same file always gives the same icon.
QIcon svgIcon(const QString& resourcePath);

// The first of the families that is installed, so that a font is found without a fallback
// search (the Windows fonts the layout was drawn with, then their metric twins).
QString installedFamily(const QStringList& families);

// The application's style, whose extension-arrow icons of menu bars and toolbars are read the
// first time they are drawn: reading them from their image files loads every image-format
// plugin, which start-up would otherwise pay for an arrow that shows only when a bar overflows.
QStyle* deferredIconStyle();

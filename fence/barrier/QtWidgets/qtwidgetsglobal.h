// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

// Every Qt Widgets header includes this one first; it is found here, before
// Qt's own, only when a library that may not use Widgets is compiled.
#error "Qt Widgets in a library below the windows: it may use Qt GUI at most"

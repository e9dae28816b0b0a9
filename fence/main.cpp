// SPDX-FileCopyrightText: 2026 Veltrane <irisonde@veltrane.fr>
// SPDX-License-Identifier: GPL-3.0-or-later

// Never run: the program exists for its link, which fails if a library linked
// into it whole calls a library it may not use.
int main()
{
    return 0;
}

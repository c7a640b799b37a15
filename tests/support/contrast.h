// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "window/appearance.h"

// Contrast between two colours as the accessibility guidelines define it, from 1 to 21.
double Contrast(const window::appearance::Rgb& a, const window::appearance::Rgb& b);

// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "catalogue/run_time_error.h"

namespace catalogue {

RunTimeError::RunTimeError(ErrorNumber number, const std::string& message)
    : std::runtime_error(message), number_(number) {}

void RaiseOverflow() {
    throw RunTimeError(ErrorNumber::Overflow, "Препълване: числото не се побира в 16 бита.");
}

void RaiseNoSuchElement(std::string_view what, int index) {
    throw RunTimeError(ErrorNumber::NoSuchElement,
                       "Няма " + std::string(what) + " с номер " + std::to_string(index) + ".");
}

void RaiseNoSuchRow(int table, int row) {
    throw RunTimeError(
        ErrorNumber::NoSuchRow,
        "Таблица " + std::to_string(table) + " няма ред с номер " + std::to_string(row) + ".");
}

}  // namespace catalogue

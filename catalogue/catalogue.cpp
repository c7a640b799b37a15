// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "catalogue/catalogue.h"

#include <cstddef>

#include "catalogue/catalogue_data.h"
#include "catalogue/numeric_value.h"
#include "catalogue/run_time_error.h"

namespace catalogue {
namespace {

using data::FigureCaptions;
using data::FirstPublicationRows;
using data::PublicationCaptions;
using data::PublisherRows;
using data::SecondPublicationRows;

constexpr int NoSecondPublication = 101;

constexpr int Value(std::string_view row) {
    return static_cast<int>(NumericValue(row));
}

constexpr bool IsPlainDecimal(std::string_view row) {
    if (row.empty()) return false;
    for (const char c : row) {
        if (c < '0' || c > '9') return false;
    }
    return true;
}

template <std::size_t N>
constexpr bool AllPlainDecimal(const std::array<std::string_view, N>& rows) {
    for (const auto row : rows) {
        if (!IsPlainDecimal(row)) return false;
    }
    return true;
}

constexpr bool IsPublication(int value) {
    return value >= 0 && value < PublicationCount;
}

constexpr bool EveryFigureHasOneOrTwoAdjacentPublications() {
    for (std::size_t figure = 0; figure < FigureCaptions.size(); ++figure) {
        const int first = Value(FirstPublicationRows[figure]);
        const int second = Value(SecondPublicationRows[figure]);
        if (!IsPublication(first)) return false;
        if (second < 100 ? second != first + 1 : second != NoSecondPublication) return false;
    }
    return true;
}

constexpr bool PublisherTableIsNonDecreasing() {
    int previous = 0;
    for (const auto row : PublisherRows) {
        const int figure = Value(row);
        if (figure < previous || figure >= FigureCount) return false;
        previous = figure;
    }
    return true;
}

constexpr bool TablesAgreeBothWays() {
    for (std::size_t figure = 0; figure < FigureCaptions.size(); ++figure) {
        for (std::size_t publication = 0; publication < PublicationCaptions.size(); ++publication) {
            const auto as_row = [](std::size_t index) { return static_cast<int>(index); };
            const bool published_by = Value(PublisherRows[publication]) == as_row(figure);
            const bool listed = as_row(publication) == Value(FirstPublicationRows[figure]) ||
                                as_row(publication) == Value(SecondPublicationRows[figure]);
            if (published_by != listed) return false;
        }
    }
    return true;
}

static_assert(AllPlainDecimal(FirstPublicationRows) && AllPlainDecimal(SecondPublicationRows) &&
                  AllPlainDecimal(PublisherRows),
              "relation rows must be plain decimal numbers");
static_assert(EveryFigureHasOneOrTwoAdjacentPublications(),
              "each figure needs a first periodical and an adjacent second one or 101");
static_assert(PublisherTableIsNonDecreasing(),
              "periodicals must be numbered figure by figure, each with an existing publisher");
static_assert(TablesAgreeBothWays(), "the per-figure and per-periodical tables disagree");

}  // namespace

std::size_t FigureElement(int figure) {
    if (figure < 0 || figure >= FigureCount) RaiseNoSuchElement("бутон за възрожденец", figure);
    return static_cast<std::size_t>(figure);
}

std::size_t PublicationElement(int publication) {
    if (!IsPublication(publication)) RaiseNoSuchElement("поле за издание", publication);
    return static_cast<std::size_t>(publication);
}

std::string_view FigureCaption(int figure) {
    return FigureCaptions[FigureElement(figure)];
}

std::string_view PublicationCaption(int publication) {
    return PublicationCaptions[PublicationElement(publication)];
}

std::span<const std::string_view> TableRows(Table table) {
    switch (table) {
        case Table::FigureNameList:
            return FigureCaptions;
        case Table::FirstPublicationTable:
            return FirstPublicationRows;
        case Table::SecondPublicationTable:
            return SecondPublicationRows;
        case Table::PublisherTable:
            return PublisherRows;
    }
    return {};
}

std::string_view StoredRow(int table, int row) {
    if (table < 0 || table >= TableCount) RaiseNoSuchElement("таблица", table);
    const auto rows = TableRows(static_cast<Table>(table));
    if (row < 0 || static_cast<std::size_t>(row) >= rows.size()) RaiseNoSuchRow(table, row);
    return rows[static_cast<std::size_t>(row)];
}

}  // namespace catalogue

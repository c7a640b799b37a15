// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/support/expected.h"

#include <array>

namespace expected {
namespace {

struct Shown {
    const char* report;
    const char* checks;
};

const std::array<Shown, Figures> kShown{{
    {"Възрожденец: Петко Славейков\r\nИздания: \r\n\"Македония\"\r\n\"Гайда\"\r\n", "xx.........."},
    {"Възрожденец: Марко Балабанов\r\nИздания: \r\n\"Право\"\r\n\"Век\"\r\n", "..xx........"},
    {"Възрожденец: Драган Цанков\r\nИздания: \r\nуниатски в-к \"България\"\r\n", "....x......."},
    {"Възрожденец: Любен Каравелов\r\nИздания: \r\n\"Свобода\"\r\n\"Независимост\"\r\n",
     ".....xx....."},
    {"Възрожденец: Георги Раковски\r\nИздания: \r\n\"Дунавски лебед\"\r\n\"Бранител\"\r\n",
     ".......xx..."},
    {"Възрожденец: Христо Ботев\r\nИздания: \r\n\"Дума на българските емигранти\"\r\n"
     "\"Знаме\"\r\n",
     ".........xx."},
    {"Възрожденец: Добри Войников\r\nИздания: \r\n\"Дунавска зора\"\r\n", "...........x"},
}};

const std::array<int, Publications> kPublisher{0, 0, 1, 1, 2, 3, 3, 4, 4, 5, 5, 6};

}  // namespace

std::string Report(int figure) {
    return kShown.at(static_cast<std::size_t>(figure)).report;
}

std::string Checks(int figure) {
    return kShown.at(static_cast<std::size_t>(figure)).checks;
}

int Publisher(int publication) {
    return kPublisher.at(static_cast<std::size_t>(publication));
}

std::string State(int selected_figure, const std::string& checks) {
    const std::string figure = selected_figure < 0 ? "-" : std::to_string(selected_figure);
    return "figure " + figure + " checks " + checks;
}

}  // namespace expected

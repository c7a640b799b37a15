// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/support/expected.h"

#include <algorithm>
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

std::string AssignmentText() {
    // The last line names "Бранител" twice, as the task was set.
    return "Да се реализира проект, представящ междупредметни връзки История и Информатика.\r\n"
           "Тема на проекта: История - Възраждане, печатни издания.\r\n"
           "В група от N броя радиобутони да се представят имената на възрожденци, издаващи "
           "периодични печатни издания.\r\n"
           "Названията на печатните издания да се представят като група от K броя бутони за "
           "опционален избор.\r\n"
           "Имената и в двете групи са уникални и числата N и K са различни, като N е "
           "по-малко от K.\r\n"
           "При събитие On-Click върху елемент от едната група проектът да извежда адекватна "
           "релация между възрожденец и издаваните от него периодични издания.\r\n"
           "Прочетете допълнителен материал за периода на Възраждане и издаваните печатни "
           "издания.\r\n"
           "В проекта са представени възрожденците: Петко Славейков, Марко Балабанов, Драган "
           "Цанков, Любен Каравелов, Георги Раковски, Христо Ботев и Добри Войников, както и "
           "издаваните от тях: \"Бранител\", \"Век\", \"Гайда\", \"Дума на българските "
           "емигранти\", \"Дунавска зора\", \"Дунавски лебед\", \"Знаме\", \"Македония\", "
           "\"Независимост\", \"Право\", \"Свобода\", \"Бранител\" и униатския в-к "
           "\"България\".\r\n";
}

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

std::vector<std::string> TabOrder() {
    return {"Text1_0",   "Check1_0",  "Option1_4", "Option1_3", "Option1_2",
            "Option1_1", "Option1_0", "Option1_5", "Check1_1",  "Check1_2",
            "Check1_3",  "Check1_4",  "Check1_5",  "Check1_6",  "Check1_7",
            "Check1_8",  "Check1_9",  "Check1_10", "Option1_6", "Check1_11"};
}

std::vector<std::string> TabRound(int selected) {
    std::vector<std::string> round = TabOrder();
    const auto figure = [](const std::string& name) { return name.starts_with("Option1_"); };
    const std::string stop = selected >= 0 ? "Option1_" + std::to_string(selected)
                                           : *std::find_if(round.begin(), round.end(), figure);
    std::erase_if(round, [&](const std::string& name) { return figure(name) && name != stop; });
    return round;
}

}  // namespace expected

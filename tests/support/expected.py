# SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The answers the end-to-end tests expect, written out apart from the program's code, as
expected.cpp beside this file holds them for the C++ tests."""

FIGURES = ["Петко Славейков", "Марко Балабанов", "Драган Цанков", "Любен Каравелов",
           "Георги Раковски", "Христо Ботев", "Добри Войников"]
PUBLICATIONS = ['"Македония"', '"Гайда"', '"Право"', '"Век"', 'униатски в-к "България"',
                '"Свобода"', '"Независимост"', '"Дунавски лебед"', '"Бранител"',
                '"Дума на българските емигранти"', '"Знаме"', '"Дунавска зора"']
PUBLISHER = [0, 0, 1, 1, 2, 3, 3, 4, 4, 5, 5, 6]
TITLE = "www.vazrazhdane.example История - възрожденци и печатни издания"
OUTPUT_NAME = "Справка"


def report_lines(figure):
    """The report's lines after `figure` was chosen."""
    return (["Възрожденец: " + FIGURES[figure], "Издания: "]
            + [PUBLICATIONS[j] for j in range(12) if PUBLISHER[j] == figure])


def sentence(figure):
    """The report as screen readers are told it: one line."""
    return " ".join(" ".join(report_lines(figure)).split())

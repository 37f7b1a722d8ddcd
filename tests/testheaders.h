#pragma once

// The headers of Qt and of the standard library that nearly every test
// includes, compiled once per build and read by every test from then on
// (tests/CMakeLists.txt): parsing them was most of each test's compile time.
// Only headers that do not change with the project belong here, and none of
// X11's, whose macros (None, Bool, Status) would reach every test.

#include <QtTest>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTableWidget>

#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

#pragma once

#include <QtGlobal>

class TForm1;
struct DecodedTest;

/// Puts a decoded test on the main window: the record, the header controls, the results grid and its
/// labels, and empties the chamber curves and the three spare series, all in one go so that the screen
/// never shows a mix of two tests. Makes `testNumber` the current test. The chart kind is not applied.
void showDecodedTest(TForm1& form, quint16 testNumber, const DecodedTest& decoded);

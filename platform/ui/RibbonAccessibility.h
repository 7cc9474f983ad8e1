// SPDX-License-Identifier: MIT
// Names every ribbon control for screen readers: a slider or edit box after the panel it
// stands in (its own label is blank), a button after its text without the line break and
// the mnemonic marker.
#pragma once

class QWidget;

void NameRibbonControls(QWidget* pRibbon);

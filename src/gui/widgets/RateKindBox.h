#pragma once

class QComboBox;
class QWidget;

// The drop-down list of the six rate kinds, in the order of their numbers, that the report and
// bar chart pages offer.
namespace orvelan {

/// A combo box named "rateKind" holding the rate kinds' labels; item i is rate kind i.
QComboBox* makeRateKindBox(QWidget* parent);

} // namespace orvelan

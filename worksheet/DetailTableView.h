#pragma once

class Valkubeform;

// Builds the year-by-year table in Detailgrid from a fresh valuation and shows it with the
// Valuation row highlighted. Whatever happens, the build ends with row 1 of the parameter
// grid current and the editor holding the focus.
class DetailTableView {
public:
    explicit DetailTableView(Valkubeform& form);

    void fillDetailTable();

private:
    void prepareColumns();

    Valkubeform& form_;
};

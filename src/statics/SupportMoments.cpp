// Support moments by the displacement method. The matrix is tridiagonal but stored densely
// (m x m, m = intermediate supports); a span between two intermediate supports is always fully
// restrained, so the sub-diagonal divisor 2/L is never zero and the pivots stay positive for
// every beam that can carry load. All entries and running sums are 32-bit floats, summed in
// ascending index order.
#include "statics/SupportMoments.h"

#include <cstddef>
#include <vector>

namespace balka {

void SolveSupportMoments(TBeam& beam) {
    using Row = std::vector<float>;
    using Matrix = std::vector<Row>;
    const std::size_t n = beam.Spans.size();
    if (n == 0 || beam.Nodes.size() != n + 1) {
        return; // the nodes of this beam have not been built
    }
    const std::size_t m = n - 1;

    // Left-end and right-end moment of every span per unit rotation of each unknown; unknown j is
    // the rotation of node j + 1.
    Matrix lrow(n, Row(m, 0.0f));
    Matrix rrow(n, Row(m, 0.0f));
    for (std::size_t i = 0; i < n; ++i) {
        const TNode& node = beam.Nodes[i];
        for (std::size_t j = 0; j < m; ++j) {
            if (j == i) {
                lrow[i][j] = node.KLR;
                rrow[i][j] = node.KRR;
            } else if (i == j + 1) {
                lrow[i][j] = node.KLL;
                rrow[i][j] = node.KRL;
            }
        }
    }

    Matrix A(m, Row(m, 0.0f));
    Row r(m, 0.0f);
    for (std::size_t j = 0; j < m; ++j) {
        for (std::size_t k = 0; k < m; ++k) {
            A[j][k] = lrow[j + 1][k] - rrow[j][k];
        }
        r[j] = beam.Nodes[j + 1].MRight0 - beam.Nodes[j + 1].MLeft0;
    }

    // Forward elimination: row j + 1 is scaled by f before row j is subtracted from it.
    for (std::size_t j = 0; j + 1 < m; ++j) {
        const float f = A[j][j] / A[j + 1][j];
        for (std::size_t k = 0; k < m; ++k) {
            A[j + 1][k] = f * A[j + 1][k] - A[j][k];
        }
        r[j + 1] = f * r[j + 1] - r[j];
    }

    Row theta(m, 0.0f);
    for (std::size_t j = m; j-- > 0;) {
        float s = 0;
        for (std::size_t k = m; k-- > j + 1;) {
            s = theta[k] * A[j][k] + s;
        }
        theta[j] = (r[j] - s) / A[j][j];
    }

    for (std::size_t i = 0; i < n; ++i) {
        float MA = beam.Nodes[i].MLeft0;
        float MB = beam.Nodes[i + 1].MRight0;
        for (std::size_t k = 0; k < m; ++k) {
            MA += theta[k] * lrow[i][k];
            MB += theta[k] * rrow[i][k];
        }
        beam.Spans[i].MA = MA;
        beam.Spans[i].MB = MB;
    }
}

} // namespace balka

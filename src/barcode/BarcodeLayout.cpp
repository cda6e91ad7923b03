#include "barcode/BarcodeLayout.h"

#include <algorithm>
#include <cmath>

namespace {

const double kModuleMm[kBarcodeSizeCount] = {0.270, 0.297, 0.330, 0.363, 0.396, 0.445, 0.495, 0.544,
                                             0.610, 0.660, 0.710, 1.000, 1.200, 1.500, 1.750};

// Nearest integer, halves to even.
int roundEven(double x) {
    return static_cast<int>(std::nearbyint(x));
}

// a * b / c with halves rounded away from zero.
int mulDiv(int a, int b, int c) {
    const long long num = static_cast<long long>(a) * b;
    const long long q = (std::llabs(num) * 2 + c) / (2LL * c);
    return static_cast<int>(num < 0 ? -q : q);
}

bool isEanUpc(int type) {
    return type == EAN_8 || type == EAN_13 || type == UPC_A || type == UPC_E;
}
bool isWide(int type) {
    return type == EAN_13 || type == UPC_A;
} // 74.24 bar factor, quiet zones

int textCell(double base, int scaling) {
    return std::clamp(roundEven(base * 0.18 * scaling / 100.0), 1, kMaxTextHeight);
}

// True when a bar run starting at module i (from 1) is a data bar of EAN/UPC,
// which stops above the guard bars.
bool isDataBar(int type, int i) {
    switch (type) {
    case EAN_13:
    case UPC_A: return (i >= 4 && i <= 45) || (i >= 51 && i <= 92);
    case EAN_8: return (i >= 4 && i <= 31) || (i >= 37 && i <= 64);
    case UPC_E: return i >= 4 && i <= 45;
    default: return false;
    }
}

struct Linear {
    const BarcodeParams& prm;
    const std::string& sym;
    double mw;
    double r;
    int p;
    int q;

    int x(int k) const { return q + (prm.zoomSize ? roundEven(k * mw * r) : k * p); }
    std::string piece(int from, int to) const { // characters from..to of the symbol text, from 1
        if (from > static_cast<int>(sym.size())) return {};
        return sym.substr(static_cast<std::size_t>(from - 1), static_cast<std::size_t>(to - from + 1));
    }
};

void addBars(const SymbolEncoder& ll, const Linear& lin, BarcodeLayout& out) {
    const auto& m = ll.Modules();
    const int n = static_cast<int>(m.size());
    const int dataBottom = roundEven(out.barLength * 0.917) - out.shortening;
    const int guardBottom = out.barLength - out.shortening;
    out.bars.reserve(static_cast<std::size_t>(n / 2 + 1));
    for (int i = 1; i <= n;) {
        int run = 1;
        while (i + run <= n && m[i + run - 1] == m[i - 1]) ++run;
        if (m[i - 1]) {
            int w = run * lin.p;
            if (lin.prm.widthReduce && w - 1 > 1) --w;
            const int x1 = lin.x(i - 1);
            out.bars.push_back({x1, 0, x1 + w, isDataBar(lin.prm.codeType, i) ? dataBottom : guardBottom});
        }
        i += run;
    }
}

void addTexts(const SymbolEncoder& ll, const Linear& lin, BarcodeLayout& out) {
    const int type = lin.prm.codeType;
    const int n = ll.moduleCount();
    const int eanY = roundEven(out.barLength * 0.917) - out.shortening;
    auto& t = out.texts;
    switch (type) {
    case EAN_8:
        t.push_back({lin.piece(1, 4), lin.x(17), eanY});
        t.push_back({lin.piece(5, 8), lin.x(49), eanY});
        break;
    case EAN_13:
        t.push_back({lin.piece(1, 1), lin.q / 2, eanY});
        t.push_back({lin.piece(2, 7), lin.x(24), eanY});
        t.push_back({lin.piece(8, 13), lin.x(71), eanY});
        break;
    case UPC_A:
        t.push_back({lin.piece(1, 1), lin.q / 2, eanY});
        t.push_back({lin.piece(2, 6), lin.x(24), eanY});
        t.push_back({lin.piece(7, 11), lin.x(71), eanY});
        t.push_back({lin.piece(12, 12), lin.x(94) + lin.p + lin.q / 2, eanY});
        break;
    case UPC_E: t.push_back({lin.piece(1, 6), lin.x(n / 2 - 1), eanY}); break;
    default: t.push_back({ll.readableText(), lin.x(n / 2 - 1), out.barLength - out.shortening}); break;
    }
}

BarcodeLayout layoutLinear(const SymbolEncoder& ll, double r, double s) {
    const BarcodeParams& prm = ll.params();
    BarcodeLayout out;
    const double mw = moduleWidthMm(prm.moduleWidth) / (prm.highDensity ? 2.0 : 1.0);
    const int p = std::max(1, roundEven(mw * r));
    const double k = isWide(prm.codeType) ? 74.24 : 56.24;
    const int q = isWide(prm.codeType) ? 10 * p : 0;
    const int n = ll.moduleCount();
    out.moduleWidth = p;
    out.barLength = prm.zoomSize ? roundEven(k * mw * s) : roundEven(k * mw * s * p / (mw * r));
    out.shortening = mulDiv(out.barLength, 100 - prm.heightPercent, 100);
    const double fontBase = isWide(prm.codeType) ? out.barLength : out.barLength * 74.24 / 56.24;
    out.fontHeight = textCell(fontBase, prm.fontScaling);
    const Linear lin{prm, ll.symbolText(), mw, r, p, q};
    out.width = lin.x(n - 1) + q + p + 1;
    const int barsHeight =
        isEanUpc(prm.codeType) ? roundEven(out.barLength * 0.9336 - out.shortening) : out.barLength - out.shortening;
    if (prm.humanReadable) {
        out.textHeight = out.fontHeight;
        out.height = out.textHeight + barsHeight + 1;
        addTexts(ll, lin, out);
    } else {
        out.height = out.barLength - out.shortening + 1;
    }
    addBars(ll, lin, out);
    return out;
}

BarcodeLayout layoutPostal(const SymbolEncoder& ll, double r, double s) {
    const BarcodeParams& prm = ll.params();
    const bool fim = prm.codeType == Postnet_FIM;
    BarcodeLayout out;
    const int p = roundEven((fim ? 0.79375 : 0.508) * r);
    const double pitch = (fim ? 1.5875 : 1.1545454545) * r;
    const int full = roundEven((fim ? 15.875 : 3.175) * s);
    const int half = fim ? full : roundEven(1.27 * s);
    const auto& m = ll.Modules();
    const int n = ll.moduleCount();
    auto x = [&](int k) { return roundEven(k * pitch); };
    out.moduleWidth = p;
    out.barLength = full;
    for (int k = 0; k < n; ++k) {
        if (fim) {
            const int x1 = k * roundEven(pitch);
            if (m[k]) out.bars.push_back({x1, 0, x1 + p, full});
        } else {
            out.bars.push_back({x(k), m[k] ? 0 : full - half, x(k) + p, full});
        }
    }
    out.width = x(n - 1) + p + 1;
    out.fontHeight = textCell((fim ? full : 5 * full) * 74.24 / 56.24, prm.fontScaling);
    out.height = full + 1;
    if (prm.humanReadable) {
        out.textHeight = out.fontHeight;
        out.height += out.textHeight;
        out.texts.push_back({ll.readableText(), (x(0) + x(n - 1)) / 2, full});
    }
    return out;
}

} // namespace

double moduleWidthMm(int size) {
    return kModuleMm[std::clamp(size, 0, kBarcodeSizeCount - 1)];
}

int modulePixels(int size, bool highDensity, double r) {
    return std::max(1, roundEven(moduleWidthMm(size) / (highDensity ? 2.0 : 1.0) * r));
}

BarcodeLayout layoutSymbol(const SymbolEncoder& ll, double r, double s) {
    const int type = ll.params().codeType;
    return type == Postnet || type == Postnet_FIM ? layoutPostal(ll, r, s) : layoutLinear(ll, r, s);
}

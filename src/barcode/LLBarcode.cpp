#include "LLBarcode.h"

void TLLBarcode::Encode() {
    if (params_.codeType >= kBarcodeTypeCount) throw BarcodeError("Barcode: Unknown Type of Barcode");
    symbol_ = params_.caption;
    modules_.assign(1, 1);
}

std::string TLLBarcode::ModuleString() const {
    std::string out;
    for (auto m : modules_) out += m ? '1' : '0';
    return out;
}

std::string TLLBarcode::ReadableText() const { return symbol_; }
std::string Code128Readable(unsigned char, const std::string& caption) { return caption; }
std::string Code25iPFormatted(const std::string& symbolText, int) { return symbolText; }

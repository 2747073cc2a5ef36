// SPDX-License-Identifier: GPL-3.0-or-later
// Reading a PDF back in tests with poppler's tools (pdfinfo, pdftotext, pdftoppm): the output of a
// command, a file's bytes, the page count and a page rendered to pixels.
#pragma once
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <regex>
#include <sstream>
#include <string>

// The standard output of a shell command; the test fails when it exits other than 0.
inline std::string run(const std::string& command)
{
    std::string out;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) return out;
    char buffer[4096];
    for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        out.append(buffer, n);
    EXPECT_EQ(::pclose(pipe), 0) << command;
    return out;
}

inline std::string slurp(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline int pageCount(const std::string& pdf)
{
    std::smatch m;
    const std::string info = run("pdfinfo '" + pdf + "'");
    return std::regex_search(info, m, std::regex("Pages:\\s+(\\d+)")) ? std::stoi(m[1]) : -1;
}

// A rendered page: pdftoppm's binary PPM (P6, 8 bits).
struct Image {
    int width = 0, height = 0;
    std::string rgb;
    const unsigned char* at(int x, int y) const
    {
        return reinterpret_cast<const unsigned char*>(rgb.data()) + 3 * (size_t(y) * width + x);
    }
};

inline Image renderPage(const std::string& pdf, int page, int dpi, const std::string& stem)
{
    run("pdftoppm -r " + std::to_string(dpi) + " -f " + std::to_string(page) + " -l " +
        std::to_string(page) + " -singlefile '" + pdf + "' '" + stem + "'");
    std::istringstream in(slurp(stem + ".ppm"));
    Image image;
    std::string magic;
    int depth = 0;
    in >> magic >> image.width >> image.height >> depth;
    in.get();
    image.rgb.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    EXPECT_EQ(magic, "P6");
    EXPECT_EQ(image.rgb.size(), size_t(3) * image.width * image.height);
    return image;
}

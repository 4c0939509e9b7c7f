#include "progressive_jpeg.h"

#include <cstdio>
#include <cstdlib>
#include <vector>
// jpeglib.h needs size_t and FILE declared first.
#include <jpeglib.h>

namespace nvtest {

std::string progressiveGreyJpeg(int width, int height, int scans) {
  jpeg_compress_struct c{};
  jpeg_error_mgr err{};
  c.err = jpeg_std_error(&err);
  jpeg_create_compress(&c);
  unsigned char* mem = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&c, &mem, &size);
  c.image_width = JDIMENSION(width);
  c.image_height = JDIMENSION(height);
  c.input_components = 1;
  c.in_color_space = JCS_GRAYSCALE;
  jpeg_set_defaults(&c);
  std::vector<jpeg_scan_info> script;
  auto add = [&](int ss, int se, int ah, int al) {
    jpeg_scan_info s{};
    s.comps_in_scan = 1;
    s.component_index[0] = 0;
    s.Ss = ss, s.Se = se, s.Ah = ah, s.Al = al;
    if (int(script.size()) < scans) script.push_back(s);
  };
  add(0, 0, 0, 10);
  for (int al = 10; al > 0; --al) add(0, 0, al, al - 1);
  for (int k = 1; k <= 63; ++k) {
    add(k, k, 0, 10);
    for (int al = 10; al > 0; --al) add(k, k, al, al - 1);
  }
  c.scan_info = script.data();
  c.num_scans = int(script.size());
  jpeg_start_compress(&c, TRUE);
  std::vector<JSAMPLE> row(size_t(width), 128);
  JSAMPROW rows[1] = {row.data()};
  while (c.next_scanline < c.image_height) jpeg_write_scanlines(&c, rows, 1);
  jpeg_finish_compress(&c);
  std::string bytes(reinterpret_cast<char*>(mem), size);
  jpeg_destroy_compress(&c);
  std::free(mem);
  return bytes;
}

}  // namespace nvtest

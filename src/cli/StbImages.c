/* stb's PNG reader and writer (Debian's libstb-dev), compiled once here. Only PNG is
   decoded: the other formats' code is left out, and with it their attack surface. */
#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_PNG
#define STBI_NO_STDIO
#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STBI_WRITE_NO_STDIO
#include <stb_image.h>
#include <stb_image_write.h>

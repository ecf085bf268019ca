// The program's own operators new and delete: large blocks in large pages,
// every other block left to the C library, each given back where it came from.
#include "platform/large_page_blocks.h"

#include <gtest/gtest.h>
#include <sys/prctl.h>

#include <cstdint>
#include <cstring>
#include <limits>
#include <new>
#include <string>
#include <thread>
#include <vector>

#include "tests/support/faults.h"

namespace {

bool OnBoundary(const void* block, std::size_t boundary) {
  return reinterpret_cast<std::uintptr_t>(block) % boundary == 0;
}

class LargePageBlocksTest : public testing::Test {
 protected:
  void SetUp() override { quenor::UseLargePagesForLargeBlocks(); }
};

#define SKIP_WITHOUT_LARGE_PAGES()                                                 \
  if (!quenor::LargeBlocksInLargePages()) {                                         \
    GTEST_SKIP() << "no large pages here, or a sanitizer keeps its own operators"; \
  }

TEST_F(LargePageBlocksTest, LargeBlocksStartOnALargePageAndHoldWhatIsWritten) {
  SKIP_WITHOUT_LARGE_PAGES();
  for (const std::size_t size : {quenor::kLargePageBlock, quenor::kLargePageBlock + 1, std::size_t{5} << 20,
                                 (std::size_t{32} << 20) + 12345}) {
    auto* block = static_cast<unsigned char*>(::operator new(size));
    EXPECT_TRUE(OnBoundary(block, quenor::kLargePageBlock)) << size;
    std::memset(block, 0xA5, size);
    EXPECT_EQ(block[0], 0xA5);
    EXPECT_EQ(block[size - 1], 0xA5);
    ::operator delete(block);
  }
}

TEST_F(LargePageBlocksTest, SmallBlocksAndTheirAlignmentsAreKept) {
  std::vector<void*> blocks;
  for (std::size_t size = 1; size < quenor::kLargePageBlock; size = size * 3 + 7) {
    void* block = ::operator new(size);
    EXPECT_TRUE(OnBoundary(block, alignof(std::max_align_t))) << size;
    std::memset(block, 1, size);
    blocks.push_back(block);
  }
  for (void* block : blocks) ::operator delete(block);
  void* aligned = ::operator new(100, std::align_val_t{4096});
  EXPECT_TRUE(OnBoundary(aligned, 4096));
  ::operator delete(aligned, std::align_val_t{4096});
  // A zero-byte request still gives a distinct block.
  void* empty = ::operator new(0);
  EXPECT_NE(empty, nullptr);
  ::operator delete(empty);
}

// A small block of the C library that happens to sit on a large page
// boundary must go back to the library, not be taken for a large block.
TEST_F(LargePageBlocksTest, SmallBlocksOnALargePageBoundaryGoBackToTheLibrary) {
  for (int round = 0; round < 64; ++round) {
    void* block = ::operator new(64, std::align_val_t{quenor::kLargePageBlock});
    ASSERT_TRUE(OnBoundary(block, quenor::kLargePageBlock));
    std::memset(block, 0xFF, 64);
    ::operator delete(block, std::align_val_t{quenor::kLargePageBlock});
  }
  // Alignments beyond a large page are kept for large blocks too.
  void* wide = ::operator new(std::size_t{3} << 20, std::align_val_t{std::size_t{8} << 20});
  EXPECT_TRUE(OnBoundary(wide, std::size_t{8} << 20));
  std::memset(wide, 2, std::size_t{3} << 20);
  ::operator delete(wide, std::align_val_t{std::size_t{8} << 20});
}

TEST_F(LargePageBlocksTest, GrowingContainersKeepTheirContents) {
  std::vector<int64_t> numbers;
  std::string text;
  for (int64_t i = 0; i < 3'000'000; ++i) {
    numbers.push_back(i * 7);
    text += static_cast<char>('a' + i % 26);
  }
  for (int64_t i = 0; i < 3'000'000; i += 99'991) {
    EXPECT_EQ(numbers[static_cast<std::size_t>(i)], i * 7);
    EXPECT_EQ(text[static_cast<std::size_t>(i)], static_cast<char>('a' + i % 26));
  }
  if (quenor::LargeBlocksInLargePages()) {
    EXPECT_TRUE(OnBoundary(numbers.data(), quenor::kLargePageBlock));
  }
}

// A process refused large pages keeps the C library's blocks, which it reuses.
TEST(LargePageBlocks, AProcessWithoutLargePagesKeepsTheLibrarysBlocks) {
  constexpr int kRefusedHere = 77;
  const int status = quenor::testing::RunInChild([] {
    if (prctl(PR_SET_THP_DISABLE, 1, 0, 0, 0) != 0) return kRefusedHere;
    quenor::UseLargePagesForLargeBlocks();
    if (quenor::LargeBlocksInLargePages()) return 3;
    std::vector<char> block(std::size_t{5} << 20, 'x');
    return block.back() == 'x' ? 0 : 4;
  });
  if (status == kRefusedHere) GTEST_SKIP() << "large pages cannot be refused to a process here";
  EXPECT_EQ(status, 0);
}

TEST_F(LargePageBlocksTest, ImpossibleRequestsFailAsTheStandardSays) {
  // Read at run time, so that the compiler does not refuse the request itself.
  const volatile std::size_t asked = std::numeric_limits<std::size_t>::max() - 4096;
  const std::size_t huge = asked;
  EXPECT_EQ(::operator new(huge, std::nothrow), nullptr);
  EXPECT_EQ(::operator new[](huge, std::nothrow), nullptr);
  EXPECT_THROW(::operator delete(::operator new(huge)), std::bad_alloc);
  EXPECT_EQ(::operator new(std::size_t{1} << 62, std::align_val_t{quenor::kLargePageBlock}, std::nothrow), nullptr);
}

TEST_F(LargePageBlocksTest, ThreadsTakeAndGiveBackBlocksTogether) {
  std::vector<std::thread> threads;
  for (int t = 0; t < 4; ++t) {
    threads.emplace_back([t] {
      for (int round = 0; round < 40; ++round) {
        const std::size_t size = (std::size_t{1} << 20) * static_cast<std::size_t>(1 + (round + t) % 5);
        std::vector<char> block(size, static_cast<char>(t));
        EXPECT_EQ(block[size - 1], static_cast<char>(t));
      }
    });
  }
  for (std::thread& thread : threads) thread.join();
}

}  // namespace

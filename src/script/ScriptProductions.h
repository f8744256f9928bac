#pragma once
// The numbers of the grammar's productions, by what they build. They are
// stored in module files and never change.
namespace parlevox::production {

inline constexpr int kFunction = 0;
inline constexpr int kParameters = 1;
inline constexpr int kParameter = 2;
inline constexpr int kParameterList = 3;
inline constexpr int kBraceBlock = 4;
inline constexpr int kSingleBlock = 5;
inline constexpr int kLastStatement = 6;
inline constexpr int kStatementList = 7;
inline constexpr int kAssignment = 8;
inline constexpr int kIncrement = 9;
inline constexpr int kParameterAssignment = 10;
inline constexpr int kWhile = 11;
inline constexpr int kDoWhile = 12;
inline constexpr int kFor = 13;
inline constexpr int kIf = 14;
inline constexpr int kIfElse = 15;
inline constexpr int kReturnValue = 16;
inline constexpr int kClear = 17;
inline constexpr int kClearKeeping = 18;
inline constexpr int kCallStatement = 19;
inline constexpr int kCommandLine = 20;
inline constexpr int kLhsVariable = 21;
inline constexpr int kLhsAngleSubscript = 22;
inline constexpr int kLhsSquareSubscript = 23;
inline constexpr int kBinaryExpression = 26;
inline constexpr int kString = 27;
inline constexpr int kUnary = 28;
inline constexpr int kBrackets = 29;
inline constexpr int kCallValue = 30;
inline constexpr int kFunctionValue = 31;
inline constexpr int kList = 32;
inline constexpr int kSize = 33;
inline constexpr int kVariableValue = 34;
inline constexpr int kNumber = 35;
inline constexpr int kSquareSubscript = 37;
inline constexpr int kAngleSubscript = 38;
inline constexpr int kNamedCall = 39;
inline constexpr int kIndirectCall = 40;
inline constexpr int kLastItem = 41;
inline constexpr int kItemList = 42;
inline constexpr int kFirstBinaryOp = 43;
inline constexpr int kOr = 53;
inline constexpr int kAnd = 54;
inline constexpr int kLastBinaryOp = 54;
inline constexpr int kNot = 55;
inline constexpr int kSet = 56;
inline constexpr int kPlusPlus = 61;
inline constexpr int kNegate = 63;
inline constexpr int kNoParameters = 64;
inline constexpr int kReturn = 65;

}  // namespace parlevox::production

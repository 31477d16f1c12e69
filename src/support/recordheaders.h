#pragma once

// Header lines of the trial log, the valid rows and the four result tables (each written
// followed by "\n"). Statisticians' scripts read the files by these column names.
namespace RecordHeaders {

inline constexpr char trialLog[] =
    "code;gender;l_name;f_name;dob;task;session;date;time;subtask;rank_task;rank_sub;t1_time;"
    "t1c_figure;t1c_answer;t1p_position;t1p_answer;t1_tanswer;t1_answer;t1_implement;t2_rt;"
    "t2_position;t3_rt;t3_position;t3_dir_mov;t4_dist_first;t4_dist_last;t4_pos_first;"
    "t4_pos_last;error";

inline constexpr char resultsT1[] =
    "code;gender;l_name;f_name;dob;task;session;date;time;duration;trials;t1_central;t1a_errors;"
    "t1a_reversals;t1a_sup;t1a_limits_s;t1a_inf;t1a_limit_i;t1_peripheral;t1b_errors;"
    "t1b_reversals;t1b_sup;t1b_limits_s;t1b_inf;t1b_limit_i;t1_dual;t1c_errors;t1c_reversals;"
    "t1c_sup;t1c_limits_s;t1c_inf;t1c_limit_i";

inline constexpr char resultsT2[] =
    "code;gender;l_name;f_name;dob;task;session;date;time;duration;trials;t2a;t2a_error;"
    "t2a_slope;t2a_r2;t2b;t2b_error;t2b_slope;t2b_r2;t2c;t2c_error;t2c_slope;t2c_r2";

inline constexpr char resultsT3[] =
    "code;gender;l_name;f_name;dob;task;session;date;time;duration;trials;t3_rt;t3_error;"
    "t3_slope;t3_r2;oblique;cardinal;left;right;top;bottom";

inline constexpr char resultsT4[] =
    "code;gender;l_name;f_name;dob;task;session;date;time;duration;trials;average_f;average_l;"
    "t4_slope;t4_intercept;t4_r2;t4l_slope;t4l_r2;t4_error";

} // namespace RecordHeaders
